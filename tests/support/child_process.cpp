#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace zendrik::testsupport {
namespace {

struct Pipe {
  int Read = -1;
  int Write = -1;
  Pipe() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    Read = fds[0];
    Write = fds[1];
  }
};

// In the child, after fork: only async-signal-safe calls until exec.
[[noreturn]] void StartChild(const std::vector<char*>& argv, const std::vector<char*>& envp,
                             const ChildOptions& options, const Pipe& in, const Pipe& out,
                             const Pipe& err) {
  ::dup2(in.Read, STDIN_FILENO);
  ::dup2(out.Write, STDOUT_FILENO);
  ::dup2(err.Write, STDERR_FILENO);
  if (!options.WorkingDirectory.empty() && ::chdir(options.WorkingDirectory.c_str()) != 0)
    ::_exit(126);
  if (options.DataLimitBytes != 0) {
    const rlimit limit{options.DataLimitBytes, options.DataLimitBytes};
    ::setrlimit(RLIMIT_DATA, &limit);
  }
  ::execve(argv[0], argv.data(), envp.data());
  ::_exit(127);
}

// Feeds the input and drains both outputs until the child closes them; sends the signal of
// `options` once the output asks for it.
void Exchange(pid_t child, const ChildOptions& options, int input, int out, int err,
              ChildResult& result) {
  const std::string_view data = options.Input;
  bool signalSent = options.Signal == 0;
  std::size_t written = 0;
  pollfd fds[3] = {{out, POLLIN, 0}, {err, POLLIN, 0}, {input, POLLOUT, 0}};
  if (data.empty()) {
    ::close(input);
    fds[2].fd = -1;
  }
  while (fds[0].fd >= 0 || fds[1].fd >= 0) {
    if (::poll(fds, 3, -1) < 0 && errno != EINTR) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[65536];
      const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        (i == 0 ? result.Out : result.Err).append(buffer, static_cast<std::size_t>(got));
        if (!signalSent && result.Out.find(options.SignalAfterOutput) != std::string::npos) {
          ::kill(child, options.Signal);
          signalSent = true;
        }
      } else if (got == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
      }
    }
    if (fds[2].fd >= 0 && fds[2].revents != 0) {
      const ssize_t put = ::write(input, data.data() + written, data.size() - written);
      if (put > 0) written += static_cast<std::size_t>(put);
      if (put < 0 || written == data.size()) {
        ::close(input);
        fds[2].fd = -1;
      }
    }
  }
}

}  // namespace

ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options) {
  std::vector<char*> arguments;
  for (const std::string& arg : argv) arguments.push_back(const_cast<char*>(arg.c_str()));
  arguments.push_back(nullptr);
  // The environment is prepared here, not in the child, where allocating is not safe.
  std::vector<std::string> environment;
  for (char** entry = environ; *entry; ++entry) {
    const std::string_view variable(*entry);
    const std::string_view name = variable.substr(0, variable.find('='));
    bool overridden = false;
    for (const auto& change : options.Environment) overridden = overridden || change.first == name;
    if (!overridden) environment.emplace_back(variable);
  }
  for (const auto& [name, value] : options.Environment)
    if (!value.empty()) environment.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  Pipe in, out, err;
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) StartChild(arguments, envp, options, in, out, err);
  ::close(in.Read);
  ::close(out.Write);
  ::close(err.Write);
  ChildResult result;
  Exchange(pid, options, in.Write, out.Read, err.Read, result);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.ExitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.Signal = WTERMSIG(status);
  return result;
}

}  // namespace zendrik::testsupport
