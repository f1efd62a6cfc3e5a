#pragma once
// The pages the Knob and the Slide share. They bind by property name, so one
// class serves both controls.

#include <cstdint>

#include "platform/com/pages/property_page.h"

namespace brennix::instruments {

class CPrpNumeric final : public com::pages::PropertyPage {
  public:
    CPrpNumeric();
};

class CPrpTicks final : public com::pages::PropertyPage {
  public:
    CPrpTicks();
};

// The format list holds the entries of the chosen class; the example shows
// the sample value as the controls would label it.
class CPrpFormat final : public com::pages::PropertyPage {
  public:
    static constexpr const char* kSample = "Sample";
    static constexpr const char* kExample = "Example";
    CPrpFormat();

  private:
    void fieldChanged(com::pages::Field& field) override;
    void opened() override;
    void refill();
    void showExample();
};

// Eight pointers edited through one set of fields: the selector decides
// which pointer's value, visibility and colour they show.
class CPrpPointer final : public com::pages::PropertyPage {
  public:
    static constexpr const char* kSelector = "Pointer";
    static constexpr const char* kValue = "Value&&Visible";
    static constexpr const char* kVisible = "Visible";
    static constexpr const char* kColor = "Pointer Color:";
    CPrpPointer();

  private:
    void fieldChanged(com::pages::Field& field) override;
    void opened() override;
    void showPointer();
    int selected() const;
};

// Registered, listed by no control.
class CValuePairs final : public com::pages::PropertyPage {
  public:
    CValuePairs();
};

class CPointers final : public com::pages::PropertyPage {
  public:
    CPointers();
};

}  // namespace brennix::instruments
