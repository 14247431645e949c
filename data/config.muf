[config]
IsWindowed=1
ColorDepth=32
UseRGB=0
SafeMode=0
ForceFallback=0
IgnoreIntel=0
