#include "resources/StringTable.h"

namespace {

struct StringData
{
    int id;
    std::u16string_view text;
};

constexpr StringData kStrings[] = {
    {100,
     u"OLE の初期化に失敗しました。OLE ライブラリのバージョンが正しいことを確認してください。"},
    {57344, u"Tessaryn"},
    {57345, u"レディ"},
    {59137, u"CAP"},
    {59138, u"NUM"},
    {59139, u"SCRL"},
    {61697, u"ドキュメントを開くことに失敗しました。"},
    {61698, u"ドキュメントの保存に失敗しました。"},
    {61699, u"%1 への変更を保存しますか?"},
    {61729, u"%1 が見つかりません。"},
    {61875, u"%1 の末尾以降にアクセスしようとしました。"},
    {61877, u"%1 の形式が正しくありません。"},
    {61878, u"%1 は予期しないオブジェクトを含んでいます。"},
    {61879, u"%1 は不正なスキーマを含んでいます。"},
};

} // namespace

std::u16string_view loadString(int id)
{
    for (const StringData &s : kStrings) {
        if (s.id == id) return s.text;
    }
    return {};
}

std::u16string formatString(int id, std::u16string_view argument)
{
    std::u16string text(loadString(id));
    if (const auto at = text.find(u"%1"); at != std::u16string::npos) text.replace(at, 2, argument);
    return text;
}
