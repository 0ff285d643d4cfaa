// mmap: only the pages that are read come into memory, and they are shared with the page cache.
#include "platform/sdl/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace metria {

MappedFile::MappedFile(const std::string& path) {
  const int fd = path.empty() ? -1 : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat info {};
  if (fstat(fd, &info) == 0 && info.st_size > 0) {
    void* mapped = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped != MAP_FAILED) {
      m_data = mapped;
      m_size = static_cast<std::size_t>(info.st_size);
    }
  }
  close(fd);
}

MappedFile::~MappedFile() {
  if (m_data) munmap(m_data, m_size);
}

}  // namespace metria
