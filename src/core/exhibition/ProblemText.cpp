#include "exhibition/ProblemText.h"

#include "entry/EntryNumber.h"

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
    }
    return "";
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
