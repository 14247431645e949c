#include "sim/RecordScope.h"

#include "engine/Diagnostics.h"
#include "sim/RecordLine.h"

RecordScope::RecordScope(const RecordLine& record) : mPrevious(Diagnostics::SetDataContext(record.Context())) {}

RecordScope::~RecordScope() { Diagnostics::SetDataContext(mPrevious); }
