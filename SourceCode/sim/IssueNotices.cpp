#include "sim/IssueNotices.h"

namespace {
IssueNotices gNoNotices;
IssueNotices* gNotices = &gNoNotices;
}  // namespace

IssueNotices& IssueNotices::Current() { return *gNotices; }

void IssueNotices::Set(IssueNotices* notices) { gNotices = notices ? notices : &gNoNotices; }
