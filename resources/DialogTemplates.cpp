#include "resources/DialogTemplates.h"

#include <array>

const DialogTemplate *findDialogTemplate(int id)
{
    static const std::array kAll = {
        &kTemplate100, &kTemplate101, &kTemplate102, &kTemplate103, &kTemplate104,
        &kTemplate105, &kTemplate106, &kTemplate107, &kTemplate108, &kTemplate109,
        &kTemplate110, &kTemplate111, &kTemplate112, &kTemplate114, &kTemplate115,
        &kTemplate116, &kTemplate117, &kTemplate132, &kTemplate150, &kTemplate157,
        &kTemplateCorespond,
    };
    for (const DialogTemplate *t : kAll) {
        if (t->id == id) return t;
    }
    return nullptr;
}
