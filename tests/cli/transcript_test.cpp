// tabrix-convert's whole output for a set of commands, kept in
// tests/data/cli_transcripts.txt: every line of standard output and standard
// error and the exit status, so a column that slips, a last line lost or a
// message reworded shows as the user would see it.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/convert.h"

namespace {

struct Transcript {
    int line = 0;
    std::string command;
    std::vector<std::string> args;
    std::string out, err;
    int status = -1;
};

// The arguments as a shell splits them: blanks separate, quotes group.
std::vector<std::string> SplitArguments(const std::string& command)
{
    std::vector<std::string> args;
    std::string arg;
    bool inArg = false;
    char quote = 0;
    for (const char c : command) {
        if (quote) {
            if (c == quote) quote = 0;
            else arg.push_back(c);
        } else if (c == '\'' || c == '"') {
            quote = c;
            inArg = true;
        } else if (c == ' ') {
            if (inArg) args.push_back(arg);
            arg.clear();
            inArg = false;
        } else {
            arg.push_back(c);
            inArg = true;
        }
    }
    if (inArg) args.push_back(arg);
    return args;
}

std::vector<Transcript> ReadTranscripts()
{
    std::ifstream in(TABRIX_TEST_DATA_DIR "/cli_transcripts.txt");
    std::vector<Transcript> transcripts;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.starts_with("$ ")) {
            transcripts.push_back(
                {number, text.substr(2), SplitArguments(text.substr(2)), {}, {}, -1});
        } else if (transcripts.empty() || text.empty() || text[0] == '#') {
            continue;
        } else if (text.starts_with("> ") || text == ">") {
            transcripts.back().out += text.substr(std::min<std::size_t>(2, text.size())) + "\n";
        } else if (text.starts_with("! ") || text == "!") {
            transcripts.back().err += text.substr(std::min<std::size_t>(2, text.size())) + "\n";
        } else if (text.starts_with("= ")) {
            transcripts.back().status = std::stoi(text.substr(2));
        } else {
            ADD_FAILURE() << "cli_transcripts.txt:" << number << ": unreadable line";
        }
    }
    return transcripts;
}

TEST(Transcripts, EveryCommandPrintsExactlyItsTranscript)
{
    const std::vector<Transcript> transcripts = ReadTranscripts();
    ASSERT_GE(transcripts.size(), 10u) << "cli_transcripts.txt is missing or cut short";
    for (const Transcript& t : transcripts) {
        SCOPED_TRACE("cli_transcripts.txt:" + std::to_string(t.line) + ": tabrix-convert " +
                     t.command);
        const std::vector<std::string_view> args(t.args.begin(), t.args.end());
        std::ostringstream out, err;
        const int status = cli::Run(args, engine::NumberFormat{}, out, err);
        EXPECT_EQ(out.str(), t.out);
        EXPECT_EQ(err.str(), t.err);
        EXPECT_EQ(status, t.status);
    }
}

}  // namespace
