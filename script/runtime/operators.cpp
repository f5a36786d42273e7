#include "script/runtime/operators.h"

#include "script/runtime/errors.h"

namespace zendrik {
// First version: bodies follow in the next commit.
TCtxValue BinaryOperationSlow(TCtxBinaryOp, const TCtxValue&, const TCtxValue&) { RaiseInvalidOperation(); }
bool CompareSlow(TCtxCompareOp, const TCtxValue&, const TCtxValue&) { RaiseInvalidOperation(); }
TCtxValue Negate(const TCtxValue&) { RaiseInvalidOperation(); }
TCtxValue LogicalNot(const TCtxValue&) { RaiseInvalidOperation(); }
bool JumpIfResultTaken(const TCtxValue&) { RaiseInvalidOperation(); }
bool JumpIfNotResultTaken(const TCtxValue&) { RaiseInvalidOperation(); }
}  // namespace zendrik
