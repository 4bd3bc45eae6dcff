// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// make_info SOURCE OUTPUT: turns the markup of info.txt into the game's info.rtf.
//
// On any fault it prints "make_info: <file>: <reason>" (with the line for faults in the source),
// exits 1 and leaves OUTPUT as it was: the document is written beside it first and renamed into
// place only when complete, so a failed run never leaves a half-written info.rtf behind.

// Local
#include "assets/info/infoparser.h"
#include "assets/info/rtfwriter.h"

// Standard library
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#ifndef FISHPAIRS_VERSION
#define FISHPAIRS_VERSION "0"
#endif

namespace {

// The source is a page or two of text; anything far larger is a wrong path, not a document.
constexpr long kMaxSourceBytes = 1 << 20;

int failure(const std::string& message)
{
    std::fprintf(stderr, "make_info: %s\n", message.c_str());
    return 1;
}

std::optional<std::string> readSource(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + ": is a directory";
        return std::nullopt;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
        if (static_cast<long>(bytes.size()) > kMaxSourceBytes) {
            std::fclose(file);
            error = path + ": too large (over " + std::to_string(kMaxSourceBytes) + " bytes)";
            return std::nullopt;
        }
    }
    const bool failed = std::ferror(file);
    std::fclose(file);
    if (failed) {
        error = path + ": read error";
        return std::nullopt;
    }
    return bytes;
}

bool writeAtomically(const std::string& path, const std::string& bytes, std::string& error)
{
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = temporary + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = temporary + ": write error";
        std::remove(temporary.c_str());
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = path + ": " + ec.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        return failure("usage: make_info SOURCE.txt OUTPUT.rtf");
    }
    const std::string sourcePath = argv[1];
    const std::string outputPath = argv[2];

    std::string error;
    const std::optional<std::string> source = readSource(sourcePath, error);
    if (!source) {
        return failure(error);
    }
    info::InfoParser parser;
    if (!parser.parse(*source, sourcePath)) {
        return failure(parser.error());
    }
    const std::string rtf =
        info::RtfWriter::write(parser.document(), "Fish Pairs make_info " FISHPAIRS_VERSION);
    if (!writeAtomically(outputPath, rtf, error)) {
        return failure(error);
    }
    return 0;
}
