#pragma once
#include <string>

class SaveFileWriter;

// Writes the running game as a save file: the 22 sections of the format in
// their order, then the sections that make a loaded game continue exactly as
// the saved one would have (older readers skip them).
class SaveGameWriter {
public:
    // The header's version label: the format's name and number.
    static std::string VersionLabel();
    // "%d/%d/%d (DD-MM-YYYY) - %d:%d" of the local time now.
    static std::string DateNow();

    // The whole file, with this text on the date line.
    static std::string Write(const std::string& date);
    static void Write(const std::string& date, SaveFileWriter& out);

private:
    static void WriteFinances(SaveFileWriter& out);
    static void WriteVoters(SaveFileWriter& out);
    static void WritePolicies(SaveFileWriter& out);
    static void WriteNamedNeurons(SaveFileWriter& out);
    static void WriteMinisters(SaveFileWriter& out);
    static void WriteGroups(SaveFileWriter& out);
    static void WriteManifestoAndParties(SaveFileWriter& out);
    static void WriteGameplay(SaveFileWriter& out);
    static void WriteGrudges(SaveFileWriter& out);
    static void WriteContinuation(SaveFileWriter& out);
    static void WriteNetwork(SaveFileWriter& out);
};
