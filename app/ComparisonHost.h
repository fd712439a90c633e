#pragma once

struct WheelConfig;

// Where the view's commands keep a rim for comparison and drop it again.
class ComparisonHost {
public:
    virtual ~ComparisonHost() = default;
    // The rim as it is now becomes the reference, in place of any before.
    virtual void KeepReference(const WheelConfig& rim) = 0;
    virtual void DropReference() = 0;
    // The reference kept; null without one.
    virtual const WheelConfig* Reference() const = 0;
};
