#include "instruments/pages/general_pages.h"

namespace brennix::instruments {
namespace {

using namespace com::pages;

constexpr double kDoubleLimit = 1.7e308;

// Two pictures each; what they show is artwork.
Field styleRadio(const char* property) {
    return radioField(property, property, {"0", "1"});
}

}  // namespace

CKnobPropPage::CKnobPropPage() : PropertyPage("General") {
    add(textField("Caption", "Caption:"));
    add(styleRadio("Style"));
    add(styleRadio("PatternType"));
    add(checkField("DigitDisplay", "DigitDisplay"));
    add(checkField("Border", "Border"));
}

CSlidePropPage::CSlidePropPage() : PropertyPage("General") {
    add(styleRadio("PatternType"));
    add(styleRadio("Style"));
    add(checkField("DigitDisplay", "DigitDisplay"));
    add(textField("Caption", "Caption:"));
    add(checkField("Border", "Border"));
}

CE7SegmentPropPage::CE7SegmentPropPage() : PropertyPage("General") {
    add(rangedField("Value", "Value:", -kDoubleLimit, kDoubleLimit, false));
    add(rangedField("DigitNumber", "DigitNumber:", 1, 50));
    add(rangedField("DigitAfterPoint", "DigitNumber After Point:", 0, 49));
    add(checkField("PrefixedWithZero", "PreZero"));
    add(checkField("Ifsigned", "Signed"));
}

CPropertyPanel::CPropertyPanel() : PropertyPage("Panel") {
    add(checkField("Declined", "declined"));
    add(checkField("ShowUnusedSegment", "show unused segment"));
    add(listField("BorderStyle", "BorderStyle:", {"Style2", "Style1"}));
    add(colorField("ForeColor", "ForeColor:"));
    add(colorField("BackColor", "BackColor:"));
}

CBooleanPropPage::CBooleanPropPage() : PropertyPage("General") {
    add(styleRadio("Style"));
    add(textField("Caption", "Caption:"));
}

CBooleanPrpButton::CBooleanPrpButton() : PropertyPage("Button") {
    add(rangedField("BtnNum", "Button Number:", 1, 50));
    add(listField("Orientation", "Direction:", {"Horizonal", "Vertical"}));
    Field& sw = add(listField("SwitchOrientation", "Switch:", {"Vertical", "Horizonal"}));
    sw.hidden = true;
    add(rangedField("Distance", "Distance:", 0, 1000));
    add(checkField("OneOnFlag", "Only One On Flag"));
}

CBooleanPrpText::CBooleanPrpText() : PropertyPage("Text") {
    add(checkField("StateText", "StateDisplay"));
    add(checkField("IndexText", "Index Display"));
    add(listField("IndexSequence", "Index  Sequence:", {"From Right/Bottom", "From Left/Top"}));
}

}  // namespace brennix::instruments
