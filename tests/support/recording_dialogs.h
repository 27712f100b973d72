// The one stand-in for the user in every test: records each box shown and gives
// the answer the test chose.
#pragma once

#include <vector>

#include "core/dialogs.h"

class RecordingDialogs : public orr::Dialogs {
public:
    orr::BoxAnswer show(const orr::BoxRequest& box) override
    {
        shown.push_back(box);
        return box.buttons == orr::BoxButtons::Ok ? orr::BoxAnswer::Ok : answer;
    }
    std::vector<orr::BoxRequest> shown;
    orr::BoxAnswer answer = orr::BoxAnswer::Yes;
};
