#include "child_frame.h"

#include "res/art.h"

CChildFrame::CChildFrame()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(res::DocumentIcon());
}
