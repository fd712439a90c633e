#include "PrivateXServer.h"

#include <regex>

namespace {

std::vector<std::string> ServerArguments(int depth, const std::vector<std::string>& options)
{
    // The server picks a free number and writes it to standard output once
    // it accepts connections.
    std::vector<std::string> arguments{"-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                                       "1024x768x" + std::to_string(depth)};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return arguments;
}

}  // namespace

PrivateXServer::PrivateXServer(int depth, const std::vector<std::string>& options)
    : Server("Xvfb", {}, ServerArguments(depth, options))
{
    static const std::regex number(R"((^|\n)(\d+)\n)");
    std::smatch match;
    for (int i = 0; i < 250 && Server.Running(); ++i) {
        if (std::regex_search(Server.Output(), match, number)) {
            Name = ":" + match[2].str();
            return;
        }
        Server.WaitForExit(std::chrono::milliseconds(20));
    }
}
