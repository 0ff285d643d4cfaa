// A file mapped read-only into memory for as long as the object lives.
#pragma once

#include <cstddef>
#include <string>

namespace metria {

class MappedFile {
 public:
  // Empty (size 0) when the file cannot be opened or mapped.
  explicit MappedFile(const std::string& path);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  const void* data() const { return m_data; }
  std::size_t size() const { return m_size; }

 private:
  void* m_data = nullptr;
  std::size_t m_size = 0;
};

}  // namespace metria
