// Runs the built sorvane as a user does, for the program's end-to-end tests: its exit status,
// standard output and standard error, scratch files beside the tests' others, and runs as nobody,
// an unprivileged user, for the permission tests. SORVANE_PROGRAM names the program.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace sorvane_program {

/// What a run of the program gave: its exit status (-1 when it did not exit) and its two outputs.
struct Outcome {
  int status;
  std::string out, err;
};

/// `text` quoted for the shell, as one word.
inline std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

/// Runs sorvane with `arguments`; `prefix` is a command that runs the program, such as kAsNobody.
inline Outcome sorvane(const std::vector<std::string>& arguments, const std::string& prefix = "") {
  static int counter = 0;
  const std::string errPath = ::testing::TempDir() + "sorvane_stderr_" + std::to_string(getpid()) +
                              "_" + std::to_string(counter++);
  std::string command = prefix + quoted(SORVANE_PROGRAM);
  for (const std::string& argument : arguments) command += " " + quoted(argument);
  command += " 2>" + quoted(errPath);
  Outcome run{-1, "", ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errPath);
  run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  std::remove(errPath.c_str());
  return run;
}

/// A path for a test's file in the tests' scratch folder, `name` made this process's own.
inline std::string scratchPath(const std::string& name) {
  return ::testing::TempDir() + "sorvane_" + std::to_string(getpid()) + "_" + name;
}

/// The bytes of the file at `path`; empty when there is none.
inline std::string contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

/// Makes the file at `path` hold `text`.
inline void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

/// nobody's user and group id. The permission tests run the program as nobody, an unprivileged
/// user, through setpriv; that takes root, and a program and folder that nobody may reach.
inline constexpr uid_t kNobody = 65534;
/// The command that runs what follows it as nobody.
inline const std::string kAsNobody = "setpriv --reuid=" + std::to_string(kNobody) +
                                     " --regid=" + std::to_string(kNobody) + " --clear-groups ";

/// Whether nobody passes `test` (the arguments of test(1)); false unless this process is root.
/// What setpriv or test says on a refusal goes to a scratch file and away: the caller's skip says
/// why.
inline bool nobodyMay(const std::string& test) {
  if (geteuid() != 0) return false;
  const std::string err = scratchPath("nobody_may_stderr");
  const bool may = std::system((kAsNobody + "test " + test + " 2>" + quoted(err)).c_str()) == 0;
  std::remove(err.c_str());
  return may;
}

/// A folder of nobody's for the permission tests, removed with everything in it.
class NobodysFolder {
 public:
  NobodysFolder() {
    std::string pattern = ::testing::TempDir() + "sorvane_nobody_XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return;
    path_ = pattern;
    if (chown(path_.c_str(), kNobody, kNobody) != 0 || chmod(path_.c_str(), 0755) != 0) {
      path_.clear();
    }
  }
  ~NobodysFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  /// False when the folder could not be made or nobody cannot run the program in it.
  bool usable() const {
    return !path_.empty() && nobodyMay("-x " + quoted(SORVANE_PROGRAM)) &&
           nobodyMay("-w " + quoted(path_));
  }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace sorvane_program
