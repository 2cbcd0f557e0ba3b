#include "app/LessonTable.h"

namespace {

constexpr LessonEntry kLessons[] = {
    {2768, u"**-グラフの意味(\u001EG)", "CPrepare", 101, -1, 200, -1},
    {2800, u"-**集合間の対応(\u001ET)", "CEqGraph", 112, 1, 201, -1},
    {2769, u"-**一次関数１ (\u001EO)", "COnefunc", 102, -1, 202, -1},
    {2781, u"-**一次関数２ (\u001EC)", "COnefnc2", 114, 0, 204, -1},
    {2770, u"-**二次関数   (\u001EW)", "CTwofunc", 103, 0, 206, -1},
    {2780, u"-**方程式とｸﾞﾗﾌ(\u001EQ)", "CEqGraph", 112, 0, 208, -1},
    {2777, u"-**不等式の領域(\u001EU)", "CUnequal", 108, -1, 210, -1},
    {2782, u"-**分数関数    (\u001EB\u001Fｺ)", "CFbunsu", 150, -1, 212, -1},
    {2789, u"--*円の方程式 (\u001EF)", "COnefnc2", 114, 1, 214, -1},
    {2785, u"--*定  義    (\u001ED)", "CAngdef", 116, -1, 216, 0},
    {2771, u"--*グラフ   (\u001EA)", "CAngfunc", 104, -1, 218, 0},
    {2784, u"--*加法定理 (\u001EP)", "CTradd", 115, -1, 220, 0},
    {2788, u"--*合成公式(\u001EC)", "CTwofunc", 103, 1, 222, 0},
    {2775, u"--*指数法則 (\u001EE\u001Fｷ)", "CExpLaw", 106, 0, 224, 1},
    {2786, u"--*対数の性質(\u001EH)", "CExpLaw", 106, 1, 226, 1},
    {2776, u"--*対数関数 (\u001EL)", "CExpFunc", 107, -1, 228, 1},
    {2792, u"--*行列の基礎(\u001EM)", "CMatrix", 105, 0, 230, 2},
    {2793, u"--*連立方程式(\u001ES)", "CMatrix", 105, 1, 231, 2},
    {2779, u"--*一次変換   (\u001ET)", "CTrans", 111, -1, 234, 2},
    {2778, u"--*数  列    (\u001ES)", "CSequence", 110, -1, 233, 3},
    {2787, u"--*数列の和  (\u001EW)", "CSeqsum", 117, -1, 200, 3},
    {2783, u"***バイオリズム  (\u001EB)", "CBioRythm", 157, -1, -1, -1},
    {32771, u"***フラクタル      (&Z)", "CFractal", 132, -1, -1, -1},
};

constexpr std::u16string_view kSubmenus[] = {
    u"--*三角関数    (\u001EA)",
    u"--*指数と対数  (\u001EE\u001Fｷ)",
    u"--*行  列        (\u001EM)",
    u"--*数 列         (\u001ES)",
};

} // namespace

std::span<const LessonEntry> lessonTable()
{
    return kLessons;
}

std::span<const std::u16string_view> lessonSubmenuTitles()
{
    return kSubmenus;
}

const LessonEntry *findLesson(int commandId)
{
    for (const LessonEntry &entry : kLessons) {
        if (entry.commandId == commandId) return &entry;
    }
    return nullptr;
}
