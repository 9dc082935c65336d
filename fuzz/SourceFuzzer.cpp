// Scene document bytes through reading, data collection, draw group rewriting, the XML
// reading and the check before a build (which must write nothing and find the same
// twice). The first
// input byte chooses whether the document is declared UTF-8 (so that both decoders
// see every input); the rest is the document.
#include "FuzzFiles.h"

#include "exhibition/EntryCheck.h"
#include "platform/FileSystem.h"
#include "source/DrawGroupRewriter.h"
#include "source/SceneXml.h"
#include "source/SourceElements.h"
#include "source/SourceReader.h"
#include "source/SourceSurvey.h"
#include "source/TextEdits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumo;
    if (size == 0) {
        return 0;
    }
    const std::string path = fuzz::Scratch() / "scene.tsd";
    std::string document;
    if ((data[0] & 1) != 0) {
        document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    }
    document += fuzz::Bytes(data + 1, size - 1);
    test::WriteFile(path, document);

    LineList lines;
    ReadSourceLines(path, lines);
    for (const std::string& line : lines) {
        fuzz::Require(line.find('\n') == std::string::npos, "a line holds a line feed");
    }

    const std::vector<std::string> dataPaths = SurveySource(path, 0).data.paths;
    fuzz::Require(dataPaths.size() <= kMaxElementsPerKind, "more than 100 data paths");
    for (const std::string& dataPath : dataPaths) {
        fuzz::Require(dataPath.rfind(fuzz::Scratch().folder(), 0) == 0,
                      "a data path outside the document's folder");
    }

    std::string first;
    std::string second;
    std::vector<std::string> topGroupNames;
    const ExhibitionEntry entry{path, {}, {}, {}};
    AppendEntryFragments(first, entry, 7, topGroupNames);
    AppendEntryFragments(second, entry, 7, topGroupNames);
    fuzz::Require(topGroupNames.size() == 2, "not one top group name per entry");
    fuzz::Require(first == second && topGroupNames[0] == topGroupNames[1],
                  "rewriting the same document twice differs");
    fuzz::Require(topGroupNames[0].empty() || topGroupNames[0].rfind("07_", 0) == 0,
                  "a top group name without the entry prefix");

    // The XML reading sees the build's lines, and sees them the same way every time.
    const std::string text = JoinLines(lines, "\n");
    const std::size_t lineCount = lines.size() + 1;
    const SceneXml xml = ReadSceneXml(text);
    const SceneXml again = ReadSceneXml(text);
    fuzz::Require(xml.error.has_value() == again.error.has_value() &&
                      (!xml.error || (xml.error->line == again.error->line &&
                                      xml.error->message == again.error->message)) &&
                      xml.data.size() == again.data.size() &&
                      xml.drawGroups.size() == again.drawGroups.size(),
                  "reading the same document as XML twice differs");
    fuzz::Require(!xml.error || xml.error->line <= lineCount, "an error past the last line");
    for (std::size_t k = 0; k < xml.data.size(); ++k) {
        fuzz::Require(xml.data[k].line >= 1 && xml.data[k].line <= lineCount &&
                          xml.data[k].paths == again.data[k].paths,
                      "a data element off the document's lines or read differently");
    }
    for (std::size_t k = 0; k < xml.drawGroups.size(); ++k) {
        fuzz::Require(xml.drawGroups[k].line >= 1 && xml.drawGroups[k].line <= lineCount &&
                          xml.drawGroups[k].name == again.drawGroups[k].name,
                      "a draw group off the document's lines or read differently");
    }

    const std::vector<std::string> before = FolderEntryNames(fuzz::Scratch().folder());
    const EntryList entries = {entry};
    const EntryCheck check = CheckEntries(entries, fuzz::Scratch().folder());
    fuzz::Require(check.dataPaths.size() == 1 && check.dataPaths[0] == dataPaths,
                  "the check collects other data paths than the build");
    fuzz::Require(CheckEntries(entries, fuzz::Scratch().folder()).problems == check.problems,
                  "checking the same document twice differs");
    fuzz::Require(FolderEntryNames(fuzz::Scratch().folder()) == before &&
                      test::ReadFile(path) == document,
                  "the check wrote something");
    return 0;
}
