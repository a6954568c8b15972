// Scaling the picture inside a Bezier picture box, mirrored or not.
#pragma once

namespace foundation {
class BoxRecordLease;
}

namespace amplex {


/// Scales the picture's scale and offset in both directions. A mirrored picture is unmirrored while
/// it scales and mirrored again after, so it stays where it was in the box.
void scalePictureInBezierBox(foundation::BoxRecordLease& record);

} // namespace amplex
