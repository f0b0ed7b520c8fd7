#include "app/child_frame.h"

#include "app/res/art.h"

CChildFrame::CChildFrame()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(res::DocumentIcon());
}
