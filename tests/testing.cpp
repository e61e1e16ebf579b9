#include "testing.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

extern char** environ;

node* buildlist(const terms& from) {
  node* head = nullptr;
  for (auto t = from.rbegin(); t != from.rend(); ++t) head = new node{t->coeff, t->expo, head};
  return head;
}

terms termsof(const node* head) {
  terms found;
  for (; head != nullptr; head = head->next) found.push_back({head->coeff, head->expo});
  return found;
}

namespace {

std::string visible(std::string_view text) {
  std::string shown;
  for (unsigned char c : text) {
    if (c == '\n') {
      shown += "\\n";
    } else if (c < 0x20 || c >= 0x7f) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02x", c);
      shown += code;
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

std::string readfile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string tempfile(std::string_view contents) {
  char path[] = "/tmp/polyadd-test-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) throw std::runtime_error("mkstemp failed");
  for (std::size_t done = 0; done < contents.size();) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n <= 0) throw std::runtime_error("writing a temporary file failed");
    done += static_cast<std::size_t>(n);
  }
  close(fd);
  return path;
}

}  // namespace

testing::AssertionResult sametext(std::string_view expected, std::string_view actual) {
  if (expected == actual) return testing::AssertionSuccess();
  const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
  const std::size_t at = static_cast<std::size_t>(e - expected.begin());
  const std::size_t from = at < 60 ? 0 : at - 60;
  return testing::AssertionFailure()
         << "texts differ at byte " << at << " (expected " << expected.size() << " bytes, got "
         << actual.size() << ")\n  expected: ..." << visible(expected.substr(from, at - from + 40))
         << "\n  actual:   ..." << visible(actual.substr(from, at - from + 40));
}

programrun runprogram(std::string_view input, const char* output) {
  const std::string inpath = tempfile(input);
  const std::string outpath = output ? output : tempfile("");
  const std::string errpath = tempfile("");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inpath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outpath.c_str(), O_WRONLY | O_TRUNC, 0);
  posix_spawn_file_actions_addopen(&actions, 2, errpath.c_str(), O_WRONLY | O_TRUNC, 0);
  char* const argv[] = {const_cast<char*>(POLYADD_BINARY), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, POLYADD_BINARY, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " POLYADD_BINARY);

  int waitstatus = 0;
  waitpid(pid, &waitstatus, 0);
  programrun run;
  run.status = WIFEXITED(waitstatus) ? WEXITSTATUS(waitstatus) : -1;
  if (!output) {
    run.output = readfile(outpath);
    unlink(outpath.c_str());
  }
  run.errors = readfile(errpath);
  unlink(inpath.c_str());
  unlink(errpath.c_str());
  return run;
}
