#include "platform/sim/regular_file.h"

#ifdef _WIN32
// Windows has no named pipes or devices among ordinary paths, so a status test and a plain
// read suffice there (the skin tools' Windows build).
#include <fstream>
#include <iterator>
#include <system_error>

namespace tarnwick::sim {

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace tarnwick::sim
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick::sim {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool IsRegularFile(int fd) {
  struct stat status {};
  return fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path) {
  // Non-blocking, so that opening a pipe without a writer returns at once.
  const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0 || !IsRegularFile(file.get())) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  for (;;) {
    const ssize_t count = read(file.get(), chunk, sizeof chunk);
    if (count < 0) return std::nullopt;
    if (count == 0) return bytes;
    bytes.append(chunk, static_cast<std::size_t>(count));
  }
}

}  // namespace tarnwick::sim
#endif
