// Host stand-in: the canvases need no bus.
#pragma once
