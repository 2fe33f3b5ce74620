// The command line as read before any display opens, in the game's spellings and Qt's.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "app/command_line.h"

namespace zarlin {
namespace {

struct Row {
  std::vector<std::string> arguments;  // after the program's name
  int status;                          // -1: the game starts
  std::string qtArguments;             // what Qt reads, after the program's name
  std::string said;                    // a part of what is printed, on either stream
};

std::string Joined(const std::vector<std::string>& words) {
  std::ostringstream joined;
  for (const std::string& word : words) joined << (joined.tellp() > 0 ? " " : "") << word;
  return joined.str();
}

TEST(CommandLine, ReadsTheGamesOptionsAndQtsInEverySpelling) {
  const Row rows[] = {
      {{"-platform=offscreen"}, -1, "-platform offscreen", ""},
      {{"--platform", "xcb"}, -1, "-platform xcb", ""},
      {{"-display", ":7"}, -1, "-display :7", ""},
      {{"--display=:7", "-style=fusion", "-reverse"}, -1, "-display :7 -style fusion -reverse", ""},
      {{}, -1, "", ""},
      {{"--help"}, 0, "", "internal name \"Zarlin v. 1.1\""},
      {{"-help"}, 0, "", "--help-all"},
      {{"--help-all"}, 0, "", "Qt's option: the window system"},
      {{"--version"}, 0, "", "Zarlin 1.00\n"},
      {{"-platform", "offscreen", "--version"}, 0, "", "Zarlin 1.00\n"},
      {{"--colours=6"}, 2, "", "Unknown option 'colours'"},
      {{"--", "--version"}, 2, "", "takes no file or other argument, but was given \"--version\""},
      {{"-platform"}, 2, "", "Missing value after '-platform'"},
      {{"--display"}, 2, "", "Missing value after '--display'"},
  };
  for (const Row& row : rows) {
    std::vector<std::string> words = {"zarlin"};
    words.insert(words.end(), row.arguments.begin(), row.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const auto read = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    const std::string said = ::testing::internal::GetCapturedStdout() +
                             ::testing::internal::GetCapturedStderr();
    const std::string name = Joined(row.arguments);
    EXPECT_NE(said.find(row.said), std::string::npos) << name << " said: " << said;
    if (row.status >= 0) {
      ASSERT_TRUE(std::holds_alternative<int>(read)) << name;
      EXPECT_EQ(std::get<int>(read), row.status) << name;
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<CommandLine>(read)) << name;
    const CommandLine& started = std::get<CommandLine>(read);
    ASSERT_FALSE(started.qtArguments.empty()) << name;
    EXPECT_EQ(started.qtArguments.front(), "zarlin") << name;
    EXPECT_EQ(Joined({started.qtArguments.begin() + 1, started.qtArguments.end()}), row.qtArguments)
        << name;
    EXPECT_TRUE(said.empty()) << name << " said: " << said;
  }
}

}  // namespace
}  // namespace zarlin
