// The one stand-in for the user in every test: records each box shown and gives
// the answer the test chose.
#pragma once

#include <functional>
#include <vector>

#include "core/dialogs.h"

class RecordingDialogs : public orr::Dialogs {
public:
    orr::BoxAnswer show(const orr::BoxRequest& box) override
    {
        shown.push_back(box);
        if (on_show)
            on_show(box);
        return box.buttons == orr::BoxButtons::Ok ? orr::BoxAnswer::Ok : answer;
    }
    std::vector<orr::BoxRequest> shown;
    std::function<void(const orr::BoxRequest&)> on_show;
    orr::BoxAnswer answer = orr::BoxAnswer::Yes;
};
