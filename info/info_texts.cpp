// The information dialogs' fixed texts, translated as a dialog is made. Blanks at the start and
// end of a text belong to it. The addresses are placeholders on domains reserved for examples,
// and stay as they are in every language.
#include "info_texts.h"

#include <QCoreApplication>

#include "window_parts/twips.h"

namespace zarlin {

namespace {

const char* const WebSite = "www.example.org";

struct InfoTexts {
  Q_DECLARE_TR_FUNCTIONS(InfoTexts)
};

}  // namespace

InfoDesign RulesDesign() {
  return {
      "Rules",
      InfoTexts::tr("Rules", "dialog caption"),
      TwipsSize(6420, 2280),
      true,
      std::nullopt,
      {{"lblRules1",
        InfoTexts::tr(
            "The computer will flash a sequence of colored buttons. The goal of the player is to "
            "press the buttons in the order that they were flashed. If the player matches the "
            "whole sequence, a new one is presented which is longer than the previous one by 1 "
            "flash. For each button that the player matches correctly, he gets 1 point. "),
        TwipsRect(120, 480, 6135, 975)},
       {"lblRules2",
        InfoTexts::tr(
            "This continues until either the player makes a mistake, or until he successfully "
            "duplicates a sequence of length 128. "),
        TwipsRect(120, 1560, 6135, 615)},
       {"lblRules0", InfoTexts::tr("Rules", "heading in the dialog"),
        TwipsRect(2880, 120, 855, 255)}}};
}

InfoDesign AboutZarlinDesign() {
  return {
      "AboutZarlin",
      InfoTexts::tr("About Zarlin"),
      TwipsSize(5820, 1995),
      false,
      TwipsRect(4440, 120, 1215, 375),
      {{"lblName", InfoTexts::tr("Zarlin version %1").arg("1.1"), TwipsRect(1200, 240, 3135, 255)},
       {"lblAuthor", InfoTexts::tr("Written by the Zarlin team"), TwipsRect(1200, 720, 3135, 255)},
       {"lblCopywrite", InfoTexts::tr("(C) %1 Quorvel Software").arg(1999),
        TwipsRect(1200, 480, 3135, 255)},
       {"lblComments",
        InfoTexts::tr("If you have any comments or thoughts on this program, please send them to "
                      "zarlin@example.org"),
        TwipsRect(1200, 1080, 3135, 615)}}};
}

InfoDesign AboutQuorvelDesign() {
  return {
      "AboutQuorvel",
      InfoTexts::tr("About Quorvel Software"),
      TwipsSize(6300, 2235),
      false,
      TwipsRect(4440, 120, 1215, 375),
      {{"lblWebPage",
        InfoTexts::tr(
            "To find out more about Quorvel Software and about other programs made by Quorvel "
            "Software you can visit our web site. Our website can be reached from the web site: "),
        TwipsRect(1080, 120, 3135, 975)},
       {"lblGetWebPage",
        InfoTexts::tr(
            " Or, we will send you the current URL of Quorvel Software's home pae if you send an "
            "e-mail to:"),
        TwipsRect(1080, 1200, 3255, 735)},
       {"lbltvk", QString("      ") + WebSite, TwipsRect(1080, 960, 3135, 255)},
       {"Label3", "      quorvel@example.org", TwipsRect(1080, 1920, 2535, 1455)}}};
}

InfoDesign AboutAuthorDesign() {
  return {"AboutAuthor",
          InfoTexts::tr("About Author"),
          TwipsSize(4695, 1155),
          false,
          TwipsRect(3360, 120, 1215, 375),
          {{"lblText", InfoTexts::tr("To find out about the author, you can visit the web site:"),
            TwipsRect(120, 240, 3135, 495)},
           {"lblWebSite", QString("     ") + WebSite, TwipsRect(120, 720, 3135, 255)}}};
}

InfoDesign LicenseDesign() {
  return {
      "License",
      InfoTexts::tr("License", "dialog caption"),
      TwipsSize(4695, 1215),
      false,
      TwipsRect(3360, 120, 1215, 375),
      {{"lblText",
        //: Names the menu path Info > About > Quorvel with this language's menu items.
        InfoTexts::tr(
            "The license agreement for Zarlin can be read  from the menu Info, About, Quorvel."),
        TwipsRect(120, 240, 3135, 975)}}};
}

}  // namespace zarlin
