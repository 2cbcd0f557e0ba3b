#include "app/CommandLine.h"

#include "app/Version.h"

InfoOption findInfoOption(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") return InfoOption::Help;
        if (arg == "--version") return InfoOption::Version;
    }
    return InfoOption::None;
}

std::string versionText(std::string_view program)
{
    std::string text(program);
    text += ' ';
    text += kTessarynVersion;
    text += '\n';
    return text;
}

const char *tessarynUsage()
{
    return "使い方: tessaryn [ファイル]\n"
           "中学・高校の数学を図で学ぶ学習プログラム Tessaryn を起動します。\n"
           "ファイルを指定すると、そのスケッチを開きます。\n"
           "指定しなければ新しいスケッチで始まります。\n"
           "\n"
           "  -h, --help  この説明を表示して終了します\n"
           "  --version   バージョンを表示して終了します\n"
           "  --          これ以降の引数をファイル名として扱います\n";
}
