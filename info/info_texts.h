// The designs of the five information dialogs: captions, sizes, texts and their places.
#pragma once

#include "info_dialog.h"

namespace zarlin {

InfoDesign RulesDesign();
InfoDesign AboutZarlinDesign();
InfoDesign AboutQuorvelDesign();
InfoDesign AboutAuthorDesign();
InfoDesign LicenseDesign();

}  // namespace zarlin
