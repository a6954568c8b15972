#include "tools/sweep/run_options.h"

#include <fstream>

namespace sweep {

namespace fs = std::filesystem;

void addRunOptions(CLI::App& app, RunOptions& options, const char* outHelp)
{
    app.add_option("--host", options.host, "The layout-host program")->required()->check(CLI::ExistingFile);
    app.add_option("--plugins", options.plugins, "Folder of the *.xnt plug-ins")->required()->check(CLI::ExistingDirectory);
    app.add_option("--out", options.out, outHelp)->required();
    app.add_option("--jobs", options.jobs, "Runs at a time");
    app.add_option("--timeout", options.timeoutSeconds, "Seconds before a run counts as a hang");
    app.add_option("--work-file", options.workFiles, "A file copied into each run's work directory (repeatable)")
        ->check(CLI::ExistingFile)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("scripts", options.scripts, "Session scripts")->required()->check(CLI::ExistingFile);
}

void makePathsAbsolute(RunOptions& options)
{
    options.host = fs::absolute(options.host);
    options.plugins = fs::absolute(options.plugins);
    options.out = fs::absolute(options.out);
    for (fs::path& file : options.workFiles)
        file = fs::absolute(file);
}

fs::path prepareWorkDirectory(const RunOptions& options, const fs::path& folder)
{
    const fs::path work = folder / "work";
    fs::create_directories(work);
    for (const fs::path& file : options.workFiles)
        fs::copy_file(file, work / file.filename(), fs::copy_options::overwrite_existing);
    return work;
}

std::optional<nlohmann::json> readReport(const fs::path& file)
{
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    auto parsed = nlohmann::json::parse(in, nullptr, false);
    if (parsed.is_discarded())
        return std::nullopt;
    return parsed;
}

} // namespace sweep
