#pragma once
// The pictures built into the program (start picture, icon) live in a static
// library; whoever uses them registers them once.
void InitVelmarResources();
