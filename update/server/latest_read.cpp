#include "update/server/latest_read.h"

#include "app/net/http_fetch.h"
#include "common/system_log.h"
#include "update/server/new_update.h"

namespace kivo {

const char* firmware_index_leaf(IndexPage page) { return page == IndexPage::Update ? kFirmwareLeaf : kRevisionsLeaf; }

LatestReadOutcome threadMethodReadLatest(const LatestReadInputs& in)
{
    const HttpResult answer = http_get(in.base, firmware_index_leaf(in.query.page), in.timeout, kFirmwareIndexMaxBytes);
    std::optional<std::string_view> body;
    if (answer.ok)
        body = answer.body;
    else
        system_logf("firmware index: %s", answer.error.c_str());
    LatestReadOutcome outcome;
    outcome.read = read_firmware_index(body, in.query);
    outcome.checkNewUpdate = in.checkNewUpdate;
    if (in.query.page == IndexPage::Update) {
        // A re-read leaves the decision out once; the next read makes it again.
        outcome.newUpdateFound = in.checkNewUpdate && haveNewUpdate(outcome.read.latest, in.deviceTarget, in.data);
        outcome.checkNewUpdate = true;
    }
    return outcome;
}

} // namespace kivo
