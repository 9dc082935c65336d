#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace lumo::cli {

// CLI11's help whose usage part has one line per command, each written from that
// command's options: "lumo-cli build --output DIR [--from PATH/exhibition.tsd]
// [--item FILE...]...".
class HelpFormatter final : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override;
};

} // namespace lumo::cli
