#include "about/quotations.h"

namespace orr {

// As written, with two spaces after "me." in the third and after "?" in the fourth and
// the eleventh, and the seventh's trailing blank.
const std::array<const char*, kQuotationCount> kQuotations{
    "Since 1980, my passion has been writing useful computer sofware.",
    "I hope this program makes your work a little simpler, your play a little better, or your day a bit "
    "easier.",
    "Customer service is important to me.  Why not email me and test this for yourself ?",
    "Tired of software developers not supporting their programs or replying to emails ?  Email me and "
    "experience real customer service.",
    "Useful software needn't be expensive, and my catalog of software proves this.",
    "If you have any comments, suggestions, improvements, or feedback, please email me.",
    "Ensuring you get good value for money is very important to me. ",
    "Useful software needn't take up Gigabytes of disk space, and my catalog of software proves this.",
    "If you can't find a program you need anywhere, email me - I might be able to help.",
    "If you would like a special program written - email me - I might be able to help.",
    "Got a great idea for a computer program ?  Please email me and let me know.",
};

void QuotationPicker::Seed(const LocalDateTime& moment)
{
    std::seed_seq seed{moment.year,   moment.month,  moment.day,        moment.hour,
                       moment.minute, moment.second, moment.millisecond};
    generator_.seed(seed);
}

std::size_t QuotationPicker::Pick(std::size_t count)
{
    if (count == 0)
        return 0;
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(generator_);
}

} // namespace orr
