# Metria: `make run` starts the program, `make test` runs the whole suite. Both first install
# whatever Debian packages are missing, so they work on a fresh machine.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

PACKAGES = cmake g++ make pkg-config \
           libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libsdl2-mixer-dev libfontconfig-dev \
           fonts-ipafont-mincho fonts-ipafont-gothic libgtest-dev libbenchmark-dev
E2E_PACKAGES = xvfb xauth xdotool imagemagick x11-utils python3 bc

SUDO = $(if $(filter 0,$(shell id -u)),,sudo)

BENCH_BUILD ?= build-bench
PREFIX     ?= /usr/local

# The browser build: static files in $(WEB_BUILD), compiled in $(WEB_OBJ) by Debian's emscripten.
WEB_BUILD ?= build-web
WEB_OBJ   ?= build-web-obj
WEB_PACKAGES = cmake make emscripten python3 python3-fonttools python3-brotli fontconfig \
               fonts-ipafont-mincho fonts-ipafont-gothic
WEB_TEST_PACKAGES = chromium
# emscripten's optimiser finds acorn through NODE_PATH.
WEB_ENV = NODE_PATH=/usr/share/nodejs

.PHONY: all run test test-sanitize build deps e2e-deps e2e bench install uninstall clean \
        web-deps web serve test-web bench-web

all: build

# Installs only what is missing; quiet when everything is there.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

e2e-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(E2E_PACKAGES)"

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/metria

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same suite in an AddressSanitizer + UndefinedBehaviorSanitizer build.
test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMETRIA_SANITIZE=ON -DMETRIA_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The real program in a real window under Xvfb, driven with xdotool.
e2e: build e2e-deps
	tests/e2e/run.sh $(BUILD)/metria

bench: deps e2e-deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DMETRIA_BENCH=ON -DMETRIA_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	bench/run.sh $(BENCH_BUILD)

web-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_PACKAGES)"

web: web-deps
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_OBJ) -DCMAKE_BUILD_TYPE=Release -DMETRIA_TESTS=OFF
	$(WEB_ENV) cmake --build $(WEB_OBJ) -j $(JOBS)
	$(WEB_ENV) tools/assemble_web.sh $(WEB_OBJ) $(WEB_BUILD)

# The web build on http://127.0.0.1:8000/ until interrupted.
serve: web
	python3 -m http.server 8000 --bind 127.0.0.1 --directory $(WEB_BUILD)

# puppeteer-core comes from npm at the version in tests/web/package-lock.json.
tests/web/node_modules/.package-lock.json: tests/web/package-lock.json
	cd tests/web && npm ci --no-audit --no-fund

# The browser suite: the real page in Debian's headless Chromium.
test-web: web tests/web/node_modules/.package-lock.json
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_TEST_PACKAGES)"
	cd tests/web && METRIA_WEB_BUILD=$(abspath $(WEB_BUILD)) node --test --test-concurrency=1

# Transfer sizes, start-up, event latency, idle CPU, memory and timer rhythm of the web build.
bench-web: web tests/web/node_modules/.package-lock.json
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_TEST_PACKAGES)"
	METRIA_WEB_BUILD=$(abspath $(WEB_BUILD)) METRIA_BENCH_OUT=$(abspath $(WEB_OBJ))/bench-web.json node bench/web/bench_web.js

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	cmake --build $(BUILD) --target uninstall

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(WEB_BUILD) $(WEB_OBJ)
