// Creating the information dialogs from their designs.
#include "info_dialogs.h"

#include "info_texts.h"

namespace zarlin {

namespace {

template <InfoDesign (*Design)()>
std::unique_ptr<InfoDialog> Make() {
  return std::make_unique<InfoDialog>(Design());
}

}  // namespace

InfoDialogs::InfoDialogs()
    : Rules(Make<RulesDesign>),
      AboutZarlin([] { return std::make_unique<AboutZarlinDialog>(); }),
      AboutQuorvel([] { return std::make_unique<AboutQuorvelDialog>(); }),
      AboutAuthor(Make<AboutAuthorDesign>),
      License(Make<LicenseDesign>) {}

void InfoDialogs::Create() {
  AboutZarlin.Hide();
  AboutAuthor.Hide();
  AboutQuorvel.Hide();
  License.Hide();
  Rules.Hide();
}

}  // namespace zarlin
