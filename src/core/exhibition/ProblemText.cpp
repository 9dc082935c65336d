#include "exhibition/ProblemText.h"

#include "entry/EntryNumber.h"

#include <utility>

namespace lumo {

namespace {

const char* Description(ProblemKind kind) {
    switch (kind) {
    case ProblemKind::MissingDocument:
        return "tsdファイルが見つかりません";
    case ProblemKind::MissingThumbnail:
        return "サムネイルが見つかりません";
    case ProblemKind::MissingDescription:
        return "説明の画像が見つかりません";
    case ProblemKind::MissingDataFile:
        return "データファイルが見つかりません";
    case ProblemKind::MissingDataFolder:
        return "データフォルダが見つかりません";
    case ProblemKind::MissingPagingImage:
        return "ページ送りの画像が見つかりません";
    case ProblemKind::Unreadable:
        return "読み込めません";
    case ProblemKind::NameCollision:
        return "同じ名前のファイルに上書きされます";
    case ProblemKind::FolderReference:
        return "フォルダを含むデータパスは展示から参照できません";
    case ProblemKind::DataSubfolder:
        return "データフォルダ内のフォルダはコピーされません";
    case ProblemKind::UnusableName:
        return "この名前はエントリフォルダに作れません";
    case ProblemKind::TooManyDataElements:
        return "データ要素が100個を超えています。101個目からは使われません";
    case ProblemKind::TooManyDrawGroups:
        return "描画グループが100個を超えています。101個目からは使われません";
    case ProblemKind::NoTopGroup:
        return "名前に Sur を含む描画グループがありません";
    case ProblemKind::SeveralTopGroups:
        return "名前に Sur を含む描画グループが複数あります";
    case ProblemKind::DotDataPath:
        return "データパスの最後が . か .. です。コピーはここで止まります";
    case ProblemKind::OwnFolderData:
        return "データパスがtsdファイルのフォルダを指しています。中のファイルがすべてコピーされま"
               "す";
    case ProblemKind::WindowsName:
        return "Windows では使えない名前です";
    case ProblemKind::NotWellFormed:
        return "XMLとして正しくありません";
    case ProblemKind::DataPathMisread:
        return "ビューアが読むデータパスを正しく読み取れません。コピーされません";
    case ProblemKind::ExtraDataFile:
        return "データ要素の2つ目以降のファイルはコピーされません";
    case ProblemKind::StrayDataPath:
        return "ビューアがデータ要素として読まない箇所のデータパスです";
    case ProblemKind::DrawGroupMisread:
        return "ビューアが読む描画グループを正しく読み取れません";
    case ProblemKind::StrayDrawGroup:
        return "ビューアが描画グループとして読まない箇所です";
    case ProblemKind::TopGroupMisread:
        return "最初に表示する描画グループがビューアにはありません";
    }
    return "";
}

// A detail of the form "FIRST: REST" in two parts.
std::pair<std::string, std::string> Parts(const std::string& detail) {
    const std::size_t colon = detail.find(": ");
    if (colon == std::string::npos) {
        return {detail, {}};
    }
    return {detail.substr(0, colon), detail.substr(colon + 2)};
}

std::string Detail(const EntryProblem& problem) {
    if (problem.detail.empty()) {
        return {};
    }
    switch (problem.kind) {
    case ProblemKind::NameCollision:
        return "（残るのは " + problem.detail + "）";
    case ProblemKind::FolderReference:
        return "（参照は " + problem.detail + "）";
    case ProblemKind::NoTopGroup:
    case ProblemKind::SeveralTopGroups:
        return "（" + problem.detail + " を使います）";
    case ProblemKind::TooManyDataElements:
    case ProblemKind::TooManyDrawGroups: {
        const auto [count, name] = Parts(problem.detail);
        return "（全 " + count + " 個、最初に使われないのは " + name + "）";
    }
    case ProblemKind::OwnFolderData: {
        const auto [files, bytes] = Parts(problem.detail);
        return "（" + files + " ファイル、" + bytes + " バイト）";
    }
    case ProblemKind::NotWellFormed:
    case ProblemKind::DataPathMisread:
    case ProblemKind::ExtraDataFile:
    case ProblemKind::StrayDataPath:
    case ProblemKind::DrawGroupMisread:
    case ProblemKind::StrayDrawGroup:
    case ProblemKind::TopGroupMisread: {
        const auto [line, text] = Parts(problem.detail);
        return "（" + line + " 行目: " + text + "）";
    }
    default:
        return "（" + problem.detail + "）";
    }
}

} // namespace

std::string ProblemQuestion(std::size_t count) {
    return "問題が " + std::to_string(count) + " 件見つかりました。このまま作成しますか？";
}

std::string ProblemLines(const ProblemList& problems) {
    std::string lines;
    for (const EntryProblem& problem : problems) {
        lines += problem.entry ? EntryNumber(*problem.entry) : std::string("--");
        lines += "　";
        lines += Description(problem.kind);
        lines += "：" + problem.path + Detail(problem) + "\n";
    }
    return lines;
}

} // namespace lumo
