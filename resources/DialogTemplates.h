#pragma once

#include "ui/DialogTemplate.h"

// Every dialog template of the program, one per file in templates/.
extern const DialogTemplate kTemplate100;
extern const DialogTemplate kTemplate101;
extern const DialogTemplate kTemplate102;
extern const DialogTemplate kTemplate103;
extern const DialogTemplate kTemplate104;
extern const DialogTemplate kTemplate105;
extern const DialogTemplate kTemplate106;
extern const DialogTemplate kTemplate107;
extern const DialogTemplate kTemplate108;
extern const DialogTemplate kTemplate109;
extern const DialogTemplate kTemplate110;
extern const DialogTemplate kTemplate111;
extern const DialogTemplate kTemplate112;
extern const DialogTemplate kTemplate114;
extern const DialogTemplate kTemplate115;
extern const DialogTemplate kTemplate116;
extern const DialogTemplate kTemplate117;
extern const DialogTemplate kTemplate132;
extern const DialogTemplate kTemplate150;
extern const DialogTemplate kTemplate157;
extern const DialogTemplate kTemplateCorespond;
