#pragma once
// The Olmi board driver's functions as the demonstration programs call them.
// OlmiLibrary binds the driver library by name at the first call, as the
// programs are not linked with it; tests put a recording double in its place.

#include <cstdint>
#include <string>

namespace brennix::demos {

// The card and base address every program uses.
inline constexpr std::int32_t kOlmiCard = 0;
inline constexpr std::int32_t kOlmiBase = 0x220;

// What a call returns when the library or its function cannot be had: the
// call did not happen, and no driver code means that.
inline constexpr std::int32_t kDriverUnavailable = -1;

class OlmiDriver {
  public:
    virtual ~OlmiDriver() = default;
    virtual std::int32_t Initial(std::int32_t card, std::int32_t base) = 0;
    virtual std::int32_t DI(std::int32_t port, std::uint8_t* value) = 0;
    virtual std::int32_t DO(std::int32_t port, std::int32_t value) = 0;
    virtual std::int32_t DA(std::int32_t channel, std::int32_t value) = 0;
    virtual std::int32_t AD_Set_Channel(std::int32_t channel) = 0;
    virtual std::int32_t AD_Set_Gain(std::int32_t gain) = 0;
    virtual std::int32_t AD_Set_Mode(std::int32_t mode) = 0;
    virtual std::int32_t AD_Aquire(std::int32_t* sample) = 0;
    virtual std::int32_t CLR_IRQ() = 0;
};

// The library "libolmi.so" (or $BRENNIX_OLMI_LIBRARY), found on the loader's
// search path or in the lib folder beside the program's bin folder. A library
// that cannot be loaded, or that reports it could not attach its devices,
// makes every call return kDriverUnavailable; the reason is in loadError().
class OlmiLibrary final : public OlmiDriver {
  public:
    OlmiLibrary() = default;
    ~OlmiLibrary() override = default;
    OlmiLibrary(const OlmiLibrary&) = delete;
    OlmiLibrary& operator=(const OlmiLibrary&) = delete;

    std::int32_t Initial(std::int32_t card, std::int32_t base) override;
    std::int32_t DI(std::int32_t port, std::uint8_t* value) override;
    std::int32_t DO(std::int32_t port, std::int32_t value) override;
    std::int32_t DA(std::int32_t channel, std::int32_t value) override;
    std::int32_t AD_Set_Channel(std::int32_t channel) override;
    std::int32_t AD_Set_Gain(std::int32_t gain) override;
    std::int32_t AD_Set_Mode(std::int32_t mode) override;
    std::int32_t AD_Aquire(std::int32_t* sample) override;
    std::int32_t CLR_IRQ() override;

    bool loaded() const { return handle_ != nullptr; }
    const std::string& loadError() const { return loadError_; }

  private:
    // Calls the function of that name, bound at its first call.
    template <class Function, class... Args>
    std::int32_t call(const char* name, Function*& slot, Args... args);
    bool load();

    void* handle_ = nullptr;
    bool tried_ = false;
    std::string loadError_;

    std::int32_t (*initial_)(std::int32_t, std::int32_t) = nullptr;
    std::int32_t (*di_)(std::int32_t, std::uint8_t*) = nullptr;
    std::int32_t (*do_)(std::int32_t, std::int32_t) = nullptr;
    std::int32_t (*da_)(std::int32_t, std::int32_t) = nullptr;
    std::int32_t (*setChannel_)(std::int32_t) = nullptr;
    std::int32_t (*setGain_)(std::int32_t) = nullptr;
    std::int32_t (*setMode_)(std::int32_t) = nullptr;
    std::int32_t (*aquire_)(std::int32_t*) = nullptr;
    std::int32_t (*clearIrq_)() = nullptr;
};

}  // namespace brennix::demos
