#include "game/replay/recorded_files.hpp"

#include "game/recording/carried_files.hpp"

common::Status layRecordedFiles(const std::filesystem::path& folder,
                                const std::vector<ReplayCommand>& script) {
    for (const ReplayCommand& command : script)
        if (command.kind == ReplayCommand::Kind::File && command.carried)
            if (auto laid = layCarriedFile(folder, command.path, command.text); !laid)
                return laid;
    return {};
}
