#include "app/LessonTable.h"
#include "biorhythm/BioRythm.h"
#include "fractal/Fractal.h"
#include "lessons/explog/ExpFunc.h"
#include "lessons/explog/ExpLaw.h"
#include "lessons/functions/Eqgraph.h"
#include "lessons/functions/Fbunsu.h"
#include "lessons/functions/Onefnc2.h"
#include "lessons/functions/Onefunc.h"
#include "lessons/functions/Prepare.h"
#include "lessons/functions/Twofunc.h"
#include "lessons/functions/Unequal.h"
#include "lessons/matrix/Matrix.h"
#include "lessons/matrix/Trans.h"
#include "lessons/sequence/Seqsum.h"
#include "lessons/sequence/Sequence.h"
#include "lessons/trig/Angdef.h"
#include "lessons/trig/Angfunc.h"
#include "lessons/trig/Tradd.h"
#include "resources/DialogTemplates.h"
#include "ui/LessonWindow.h"

#include <functional>
#include <map>
#include <string_view>

namespace {

using Factory = std::function<std::unique_ptr<LessonWindow>(QWidget *)>;

// The window classes that are built, by class name. A lesson whose class is not listed opens as a
// plain lesson window on its template.
const std::map<std::string_view, Factory> &factories()
{
    static const std::map<std::string_view, Factory> table = {
        {"CPrepare", [](QWidget *p) { return std::make_unique<CPrepare>(p); }},
        {"COnefunc", [](QWidget *p) { return std::make_unique<COnefunc>(p); }},
        {"CTwofunc", [](QWidget *p) { return std::make_unique<CTwofunc>(p); }},
        {"COnefnc2", [](QWidget *p) { return std::make_unique<COnefnc2>(p); }},
        {"CFbunsu", [](QWidget *p) { return std::make_unique<CFbunsu>(p); }},
        {"CMatrix", [](QWidget *p) { return std::make_unique<CMatrix>(p); }},
        {"CTrans", [](QWidget *p) { return std::make_unique<CTrans>(p); }},
        {"CEqGraph", [](QWidget *p) { return std::make_unique<CEqGraph>(p); }},
        {"CUnequal", [](QWidget *p) { return std::make_unique<CUnequal>(p); }},
        {"CExpLaw", [](QWidget *p) { return std::make_unique<CExpLaw>(p); }},
        {"CExpFunc", [](QWidget *p) { return std::make_unique<CExpFunc>(p); }},
        {"CSequence", [](QWidget *p) { return std::make_unique<CSequence>(p); }},
        {"CSeqsum", [](QWidget *p) { return std::make_unique<CSeqsum>(p); }},
        {"CAngdef", [](QWidget *p) { return std::make_unique<CAngdef>(p); }},
        {"CAngfunc", [](QWidget *p) { return std::make_unique<CAngfunc>(p); }},
        {"CTradd", [](QWidget *p) { return std::make_unique<CTradd>(p); }},
        {"CFractal", [](QWidget *p) { return std::make_unique<CFractal>(p); }},
        {"CBioRythm", [](QWidget *p) { return std::make_unique<CBioRythm>(p); }},
    };
    return table;
}

} // namespace

std::unique_ptr<LessonWindow> createLessonWindow(const LessonEntry &entry, QWidget *parent)
{
    if (auto it = factories().find(entry.className); it != factories().end())
        return it->second(parent);
    const DialogTemplate *dialogTemplate = findDialogTemplate(entry.templateId);
    if (!dialogTemplate) return nullptr;
    return std::make_unique<LessonWindow>(*dialogTemplate, parent);
}
