#include "radio/sim/five_byte_commands.h"

#include <algorithm>
#include <span>
#include <string>

#include "radio/yaesu/five_byte.h"
#include "radio/yaesu/ft100.h"
#include "radio/yaesu/yaesu_modes.h"

namespace orvant::sim {

namespace {

using yaesu::FrequencyForm;

enum class Action {
    CatOn,
    CatOff,
    SatelliteOn,
    SatelliteOff,
    SetMode,
    SetFrequency,
    ReadFrequency,
    ReadStatus,
    SelectVfo,
    Accept
};
// Where a command acts: VFO A of the main or the sub band, or the selected VFO of the main band.
enum class Target { Main, Sub, Selected };

struct Command {
    std::uint8_t code;
    Action action;
    Target target = Target::Main;
    const yaesu::ModeTable* modes = nullptr;
};

struct Model {
    RadioDriver driver;
    bool catSwitch;  // hears nothing outside CAT on .. CAT off
    FrequencyForm form;
    std::size_t modeParam;  // the parameter byte that carries a mode
    std::span<const Command> commands;
};

using A = Action;
using T = Target;
constexpr const yaesu::ModeTable* k736 = &yaesu::kFt736Modes;
constexpr const yaesu::ModeTable* k847 = &yaesu::kFt847Modes;

constexpr Command kFt736[] = {{0x00, A::CatOn},
                              {0x80, A::CatOff},
                              {0x0E, A::SatelliteOn},
                              {0x88, A::Accept},
                              {0x07, A::SetMode, T::Main, k736},
                              {0x27, A::SetMode, T::Sub, k736},
                              {0x17, A::SetMode, T::Main, k736},
                              {0x01, A::SetFrequency},
                              {0x2E, A::SetFrequency, T::Sub},
                              {0x1E, A::SetFrequency}};
constexpr Command kFt847[] = {{0x00, A::CatOn},
                              {0x80, A::CatOff},
                              {0x4E, A::SatelliteOn},
                              {0x8E, A::SatelliteOff},
                              {0x88, A::Accept},
                              {0x07, A::SetMode, T::Main, k847},
                              {0x27, A::SetMode, T::Sub, k847},
                              {0x17, A::SetMode, T::Main, k847},
                              {0x01, A::SetFrequency},
                              {0x21, A::SetFrequency, T::Sub},
                              {0x11, A::SetFrequency},
                              {0x03, A::ReadFrequency, T::Main, k847},
                              {0x23, A::ReadFrequency, T::Sub, k847},
                              {0x13, A::ReadFrequency, T::Main, k847}};
constexpr Command kFt757[] = {{0x00, A::CatOn},
                              {0x27, A::SetMode, T::Main, k736},
                              {0x17, A::SetMode, T::Main, &yaesu::kFt757DownlinkModes},
                              {0x0A, A::SetFrequency}};
constexpr Command kFt100[] = {{0x01, A::Accept},
                              {0x05, A::SelectVfo},
                              {0x0C, A::SetMode, T::Selected, &yaesu::kFt100Modes},
                              {0x0A, A::SetFrequency, T::Selected},
                              {0x10, A::ReadStatus, T::Selected, &yaesu::kFt100Modes}};
constexpr Command kFt980[] = {{0x00, A::CatOn}, {0x0B, A::Accept}};

constexpr Model kModels[] = {
    {RadioDriver::Ft736, true, FrequencyForm::Ft736, 0, kFt736},
    {RadioDriver::Ft847, true, FrequencyForm::MostFirst, 0, kFt847},
    {RadioDriver::Ft757, false, FrequencyForm::MostFirst, 0, kFt757},
    {RadioDriver::Ft100, false, FrequencyForm::LeastFirst, 3, kFt100},
    {RadioDriver::Ft980, false, FrequencyForm::MostFirst, 0, kFt980},
};

constexpr std::size_t kBlockBytes = 5;
constexpr std::size_t kCommandByte = 4;

const Model* modelOf(RadioDriver driver) {
    const auto model = std::find_if(std::begin(kModels), std::end(kModels),
                                    [driver](const Model& m) { return m.driver == driver; });
    return model == std::end(kModels) ? nullptr : model;
}

RadioDial::Vfo& vfoOf(RadioDial& dial, Target target) {
    switch (target) {
        case Target::Sub:
            return dial.bands[RadioDial::kSub][RadioDial::kVfoA];
        case Target::Selected:
            return dial.bands[RadioDial::kMain][dial.selectedVfo];
        case Target::Main:
        default:
            return dial.bands[RadioDial::kMain][RadioDial::kVfoA];
    }
}

std::vector<std::uint8_t> frequencyAnswer(const Model& model, const Command& command,
                                          const RadioDial::Vfo& vfo) {
    const auto params = yaesu::frequencyParams(model.form, std::to_string(vfo.hz));
    if (!params) return {};
    std::vector<std::uint8_t> answer(params->begin(), params->end());
    answer.push_back(static_cast<std::uint8_t>(yaesu::modeCode(*command.modes, vfo.mode)));
    return answer;
}

std::vector<std::uint8_t> applyCommand(const Model& model, const Command& command,
                                       const std::vector<std::uint8_t>& block, RadioDial& dial) {
    RadioDial::Vfo& vfo = vfoOf(dial, command.target);
    switch (command.action) {
        case Action::CatOn:
        case Action::CatOff:
            dial.catOn = command.action == Action::CatOn;
            return {};
        case Action::SatelliteOn:
        case Action::SatelliteOff:
            dial.satelliteMode = command.action == Action::SatelliteOn;
            return {};
        case Action::SetMode: {
            const std::string_view mode = yaesu::modeText(*command.modes, block[model.modeParam]);
            if (!mode.empty()) vfo.mode = mode;
            return {};
        }
        case Action::SetFrequency:
            if (const auto hz = yaesu::decodeFrequency(model.form, block)) vfo.hz = *hz;
            return {};
        case Action::ReadFrequency:
            return frequencyAnswer(model, command, vfo);
        case Action::ReadStatus:
            return yaesu::ft100StatusAnswer(vfo.hz, yaesu::modeCode(*command.modes, vfo.mode));
        case Action::SelectVfo:
            dial.selectedVfo = block[3] == 1 ? RadioDial::kVfoB : RadioDial::kVfoA;
            return {};
        case Action::Accept:
            return {};
    }
    return {};
}

}  // namespace

std::vector<std::uint8_t> FiveByteCommands::apply(const std::vector<std::uint8_t>& message,
                                                  RadioDial& dial) const {
    const Model* model = modelOf(model_);
    if (!model || message.size() != kBlockBytes) return {};
    const std::uint8_t code = message[kCommandByte];
    if (model->catSwitch && !dial.catOn && code != yaesu::kCatOn) return {};
    const auto command = std::find_if(model->commands.begin(), model->commands.end(),
                                      [code](const Command& c) { return c.code == code; });
    if (command == model->commands.end()) return {};
    return applyCommand(*model, *command, message, dial);
}

}  // namespace orvant::sim
