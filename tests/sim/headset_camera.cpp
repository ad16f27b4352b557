#include "tests/sim/headset_camera.h"

#include <string>

#include "device/products/camera_files.h"
#include "device/products/hid_camera_products.h"
#include "link/hid_reports.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_persona_parts.h"

namespace sim {

struct CameraState {
    CameraPersona persona;
    bool on = false;
    int switchOns = 0;
    int statusAnswers = 0;
    std::vector<Bytes> taken;
};

namespace {

void switch_off(CameraState& camera)
{
    camera.on = false;
    camera.persona.card->remove();
}

// The firmware file on the card, taken: its version into the version file, the file gone.
// Returns whether an image was taken.
bool take_image(CameraState& camera)
{
    const CameraPersona& p = camera.persona;
    const std::optional<Bytes> image = p.card->read(p.firmwareFile);
    if (!image || p.keepsVersion)
        return false;
    if (const std::optional<VersionQuad> version = version_marker(*image))
        p.card->put(p.versionFile, std::to_string(version->major) + "." + std::to_string(version->minor) + "\n");
    p.card->erase(p.firmwareFile);
    camera.taken.push_back(*image);
    return true;
}

void switch_on(const std::shared_ptr<CameraState>& camera)
{
    if (camera->on)
        return;
    camera->on = true;
    const int switch_on = ++camera->switchOns;
    const CameraPersona& p = camera->persona;
    const bool took = take_image(*camera);
    const std::weak_ptr<CameraState> held = camera;
    if (!p.cardShowsAt || switch_on <= *p.cardShowsAt) {
        bus().schedule(p.cardAfter, [held, switch_on] {
            if (auto c = held.lock(); c && c->on && c->switchOns == switch_on)
                c->persona.card->insert(c->persona.mount);
        });
    }
    if (took && p.offAfterTaking) {
        bus().schedule(*p.offAfterTaking, [held, switch_on] {
            if (auto c = held.lock(); c && c->on && c->switchOns == switch_on)
                switch_off(*c);
        });
    }
}

} // namespace

CameraPersona camera_of(int product_id, CameraCard& card)
{
    const kivo::CameraFiles* files = kivo::camera_files(product_id);
    CameraPersona camera;
    camera.card = &card;
    if (files != nullptr) {
        camera.firmwareFile = std::string(files->firmwareFile);
        camera.versionFile = std::string(files->versionFile);
    }
    if (kivo::hid_camera_switches_itself_off(product_id))
        camera.offAfterTaking = std::chrono::seconds(40);
    return camera;
}

std::shared_ptr<CameraState> make_camera(const CameraPersona& persona)
{
    auto camera = std::make_shared<CameraState>();
    camera->persona = persona;
    return camera;
}

std::optional<HidReply> answer_camera(const std::shared_ptr<CameraState>& camera, const Bytes& out)
{
    const uint8_t command = out[1];
    switch (command) {
    case COMMAND_CAMERA_ON: switch_on(camera); return one_report(status_report(command, 0));
    case COMMAND_CAMERA_OFF:
        if (camera->on)
            switch_off(*camera);
        return one_report(status_report(command, 0));
    case COMMAND_CAMERA_STATUS: {
        const std::optional<int> wrong_from = camera->persona.wrongStateFrom;
        const bool wrong = wrong_from && ++camera->statusAnswers >= *wrong_from;
        return one_report(status_report(command, 0, camera->on != wrong ? 1 : 0));
    }
    default: return std::nullopt;
    }
}

bool camera_on(const CameraState& camera) { return camera.on; }

std::vector<Bytes> camera_images(const CameraState& camera) { return camera.taken; }

} // namespace sim
