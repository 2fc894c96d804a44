#pragma once

#include <string>

#include "app/amazon_doc.h"
#include "app/headless_game_host.h"
#include "model/memory_profile.h"
#include "search/memory_status.h"

namespace taravin::cli {

// A document on a profile of this process only, for reading and writing game files.
struct FileDocument {
    FileDocument();

    // Reads the file by its content (SGF or the native format) the way the game window opens
    // it. False with a message when it cannot be read or the board cannot hold its game; the
    // messages of a replay that stopped early go to standard error.
    bool open(const std::string& path, std::string& error);

    MemoryProfile profile;
    HeadlessGameHost host;
    FixedMemoryStatus memory;
    CAmazonDoc document;
};

// Whether the file name asks for SGF: it ends in ".sgf", in any case.
bool isSgfFileName(const std::string& path);

// "2024-05-31": the local date, as an SGF game's DT holds it.
std::string todaysDate();

// Saves the game through a temporary file, as SGF or in the native format by the file name;
// `date` goes into the SGF game's DT.
bool saveGameFile(const std::string& path, const CAmazonDoc& document, std::string& error,
                  const std::string& date = {});

}  // namespace taravin::cli
