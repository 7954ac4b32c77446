#include "ui/usage_dialog.h"

// A terminal has no minimised window to paint.
void CUsageDialog::HandlePaint() {
  Default();
}
