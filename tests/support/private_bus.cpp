#include "tests/support/private_bus.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zendrik::testsupport {

namespace {

constexpr int kStartTimeoutMs = 10000;

std::filesystem::path MakeDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zendrik-bus-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

void WriteConfiguration(const std::filesystem::path& directory,
                        const std::vector<BusService>& services) {
  const std::filesystem::path serviceDirectory = directory / "services";
  std::filesystem::create_directories(serviceDirectory);
  for (const BusService& service : services) {
    std::ofstream(serviceDirectory / (service.Name + ".service"))
        << "[D-BUS Service]\nName=" << service.Name << "\nExec=" << service.Command << "\n";
  }
  std::ofstream(directory / "bus.conf")
      << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
         " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
         "<busconfig>\n"
         "  <type>session</type>\n"
         "  <listen>unix:dir="
      << directory.string()
      << "</listen>\n"
         "  <auth>EXTERNAL</auth>\n"
         "  <servicedir>"
      << serviceDirectory.string()
      << "</servicedir>\n"
         "  <policy context=\"default\">\n"
         "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
         "    <allow eavesdrop=\"true\"/>\n"
         "    <allow own=\"*\"/>\n"
         "  </policy>\n"
         "</busconfig>\n";
}

// Reads the first line the daemon prints (its address); empty when it ends or takes too long.
std::string ReadAddress(int fd) {
  std::string text;
  pollfd poller{fd, POLLIN, 0};
  while (text.find('\n') == std::string::npos) {
    const int ready = ::poll(&poller, 1, kStartTimeoutMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return {};
    char buffer[512];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return {};
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text.substr(0, text.find('\n'));
}

std::string LogOf(const std::filesystem::path& directory) {
  std::ostringstream log;
  log << std::ifstream(directory / "bus.log").rdbuf();
  return log.str();
}

}  // namespace

PrivateBus::PrivateBus(const std::vector<BusService>& services) : directory_(MakeDirectory()) {
  WriteConfiguration(directory_, services);
  const std::string config = "--config-file=" + (directory_ / "bus.conf").string();
  const std::string log = (directory_ / "bus.log").string();
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  const pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    // The daemon ends with the test process, however that ends.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(1);
    ::dup2(fds[1], STDOUT_FILENO);
    const int logFd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (logFd >= 0) ::dup2(logFd, STDERR_FILENO);
    ::execlp("dbus-daemon", "dbus-daemon", config.c_str(), "--nofork", "--print-address=1",
             static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(fds[1]);
  address_ = ReadAddress(fds[0]);
  ::close(fds[0]);
  if (address_.empty()) {
    const std::string why = LogOf(directory_);
    Stop();
    throw std::runtime_error("dbus-daemon did not start (is the dbus-daemon package installed?) " +
                             why);
  }
}

PrivateBus::~PrivateBus() { Stop(); }

void PrivateBus::Stop() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
  }
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

}  // namespace zendrik::testsupport
