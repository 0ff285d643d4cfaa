# Metria: `make run` starts the program, `make test` runs the whole suite. Both first install
# whatever Debian packages are missing, so they work on a fresh machine; `make run` installs and
# builds only the program, `make test` brings the test packages and builds the rest.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

PACKAGES = cmake g++ make pkg-config \
           libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libsdl2-mixer-dev libfontconfig-dev libasound2-dev libglib2.0-dev \
           libatk1.0-dev libatk-bridge2.0-dev \
           fonts-ipafont-mincho fonts-ipafont-gothic
# MeCab with the dictionary Japanese speech synthesis reads with: every spoken name must have a reading.
TEST_PACKAGES = libgtest-dev libbenchmark-dev mecab mecab-naist-jdic
# A private session bus and GNOME's schemas, for reading the desktop's contrast and motion settings.
TEST_PACKAGES += dbus-daemon gsettings-desktop-schemas
# A PulseAudio server of the benchmarks' own, with a null sink, for the sound output's figures.
BENCH_PACKAGES = pulseaudio
E2E_PACKAGES = xvfb xauth xdotool imagemagick x11-utils python3 bc openbox
# The accessibility bus and a client of it, on a session bus of the test's own.
E2E_PACKAGES += at-spi2-core dbus-bin python3-gi gir1.2-atspi-2.0
# Orca, heard through a silent speech-dispatcher voice in Japanese, run from node (tests/web/orca.js).
E2E_PACKAGES += orca speech-dispatcher speech-dispatcher-audio-plugins python3-pyatspi dbus-daemon locales nodejs
CLANG_PACKAGES = clang-14
DEB_PACKAGES = debhelper dpkg-dev fakeroot lintian appstream desktop-file-utils

BENCH_BUILD ?= build-bench
PREFIX     ?= /usr/local

# The browser build: static files in $(WEB_BUILD), compiled in $(WEB_OBJ) by Debian's emscripten.
WEB_BUILD ?= build-web
WEB_OBJ   ?= build-web-obj
WEB_PACKAGES = cmake make emscripten python3 python3-fonttools python3-brotli fontconfig \
               fonts-ipafont-mincho fonts-ipafont-gothic
# Debian's nginx and its module that sends the build's .br files, for make serve and make bench-web.
WEB_SERVE_PACKAGES = nginx libnginx-mod-http-brotli-static
# The servers docs/deploy.md configures, run by the browser suite with certificates of its own; and
# h2load, which loads nginx for make bench-web.
WEB_SITE_PACKAGES = $(WEB_SERVE_PACKAGES) apache2 openssl
WEB_LOAD_PACKAGES = nghttp2-client
WEB_PORT ?= 8000
# The three engines of the browser suite, a display for WebKit and a sound server with no device;
# with them Orca, the screen reader, heard through the accessibility bus with a silent voice.
WEB_TEST_PACKAGES = chromium firefox-esr webkit2gtk-driver xvfb pulseaudio \
                    orca speech-dispatcher speech-dispatcher-audio-plugins at-spi2-core dbus-bin python3-pyatspi \
                    gir1.2-atspi-2.0 openbox xdotool locales
WEB_ENGINES ?= chromium firefox webkit
# Every browser test file but the one that compares the engines, which drives all three itself.
WEB_TESTS = $(filter-out layout.test.js,$(notdir $(wildcard tests/web/*.test.js)))
# emscripten's optimiser finds acorn through NODE_PATH.
WEB_ENV = NODE_PATH=/usr/share/nodejs

.PHONY: all run test test-sanitize build program deps test-deps e2e-deps e2e e2e-desktop bench install uninstall clean \
        test-clang deb test-deb web-deps web serve test-web bench-web

all: build

# Installs only what is missing; quiet when everything is there.
deps:
	@tools/install_packages.sh $(PACKAGES)

test-deps: deps
	@tools/install_packages.sh $(TEST_PACKAGES)

e2e-deps:
	@tools/install_packages.sh $(E2E_PACKAGES)

# The program alone, without the tests (a build folder that already has them keeps them).
program: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMETRIA_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS) --target metria

build: test-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMETRIA_TESTS=ON
	cmake --build $(BUILD) -j $(JOBS)

run: program
	./$(BUILD)/metria

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same suite in an AddressSanitizer + UndefinedBehaviorSanitizer build.
test-sanitize: test-deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMETRIA_SANITIZE=ON -DMETRIA_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The real program in a real window under Xvfb, driven with xdotool.
e2e: program e2e-deps
	tests/e2e/run.sh $(BUILD)/metria

# The desktop around the program: a real window manager, the close box pressed PRESSES times.
PRESSES ?= 200
e2e-desktop: program e2e-deps
	tests/e2e/window_manager.sh $(BUILD)/metria
	tests/e2e/close_box_storm.sh $(BUILD)/metria $(PRESSES)

# The Debian package metria_<version>_<arch>.deb in DEB_BUILD, checked with lintian and appstreamcli.
DEB_BUILD ?= build-deb
deb: deps
	@tools/install_packages.sh $(DEB_PACKAGES)
	JOBS=$(JOBS) packaging/build_deb.sh $(DEB_BUILD)

# The package installed on this machine, run from PATH under Xvfb and purged again (needs root).
test-deb: deb e2e-deps
	tests/e2e/package.sh $(DEB_BUILD)/metria_$$(dpkg-parsechangelog -S Version)_$$(dpkg-architecture -qDEB_HOST_ARCH).deb

# The program and its tests built with clang as well, warnings as errors.
CLANG_BUILD ?= build-clang
test-clang: test-deps
	@tools/install_packages.sh $(CLANG_PACKAGES)
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(CLANG_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMETRIA_WERROR=ON
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	ctest --test-dir $(CLANG_BUILD) --output-on-failure -j $(JOBS)

bench: test-deps e2e-deps
	@tools/install_packages.sh $(BENCH_PACKAGES)
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DMETRIA_BENCH=ON -DMETRIA_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	bench/run.sh $(BENCH_BUILD)

web-deps:
	@tools/install_packages.sh $(WEB_PACKAGES)

# esbuild, which minifies the page's scripts, comes from npm at the version in
# tools/esbuild/package-lock.json.
tools/esbuild/node_modules/.package-lock.json: tools/esbuild/package-lock.json
	@command -v npm >/dev/null || tools/install_packages.sh npm
	cd tools/esbuild && npm ci --no-audit --no-fund

web: web-deps tools/esbuild/node_modules/.package-lock.json
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_OBJ) -DCMAKE_BUILD_TYPE=Release -DMETRIA_TESTS=OFF
	$(WEB_ENV) cmake --build $(WEB_OBJ) -j $(JOBS)
	$(WEB_ENV) tools/assemble_web.sh $(WEB_OBJ) $(WEB_BUILD)
	@echo "The site is the folder $(WEB_BUILD)/: copy all of it to a web server (docs/deploy.md)."
	@echo "To try it here: make serve, then open http://127.0.0.1:$(WEB_PORT)/"

# The web build on http://127.0.0.1:$(WEB_PORT)/ with Debian's nginx until interrupted (Ctrl-C); its
# configuration, logs and temporary files in $(WEB_OBJ)/serve.
serve: web
	@tools/install_packages.sh $(WEB_SERVE_PACKAGES)
	tools/serve_web.sh $(WEB_BUILD) $(WEB_OBJ)/serve $(WEB_PORT)

# puppeteer-core, axe-core, Lighthouse and the HTTP Observatory's grader come from npm at the
# versions in tests/web/package-lock.json, without their install scripts: @axe-core/puppeteer brings
# puppeteer, whose script would fetch a browser (Debian's chromium runs the suite), and the grader's
# would download lists that bench/web/observatory.mjs does without. Debian's npm is installed only
# where no npm is on PATH: a Node.js from elsewhere brings its own.
tests/web/node_modules/.package-lock.json: tests/web/package-lock.json
	@command -v npm >/dev/null || tools/install_packages.sh npm
	cd tests/web && npm ci --ignore-scripts --no-audit --no-fund

# The browser suite: the real page in Debian's Chromium and Firefox ESR (headless) and WebKitGTK
# (under Xvfb), each engine in turn, then the layout compared across the three; with it, the site
# served by each configuration of docs/deploy.md (nginx, Apache, a static host's _headers).
test-web: web tests/web/node_modules/.package-lock.json
	@tools/install_packages.sh $(WEB_TEST_PACKAGES) $(WEB_SITE_PACKAGES)
	@cd tests/web && for engine in $(WEB_ENGINES); do \
	  echo "== the browser suite in $$engine"; \
	  METRIA_WEB_ENGINE=$$engine METRIA_WEB_BUILD=$(abspath $(WEB_BUILD)) \
	    node --test --test-concurrency=1 $(WEB_TESTS) || exit 1; \
	done
	cd tests/web && METRIA_WEB_BUILD=$(abspath $(WEB_BUILD)) node --test layout.test.js

# Transfer sizes, start-up, event latency, idle CPU, memory and timer rhythm of the web build; whole
# first visits per second under nginx, and the HTTP Observatory's grades.
bench-web: web tests/web/node_modules/.package-lock.json
	@tools/install_packages.sh $(WEB_TEST_PACKAGES) $(WEB_SITE_PACKAGES) $(WEB_LOAD_PACKAGES)
	METRIA_WEB_BUILD=$(abspath $(WEB_BUILD)) METRIA_BENCH_OUT=$(abspath $(WEB_OBJ))/bench-web.json node bench/web/bench_web.js

install: program
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	cmake --build $(BUILD) --target uninstall

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(CLANG_BUILD) $(DEB_BUILD) $(WEB_BUILD) $(WEB_BUILD)-retire $(WEB_OBJ)
