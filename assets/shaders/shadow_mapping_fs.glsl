// Depth only: the target has no colour buffer. The output exists because the program binds it
// by name; leaving it unwritten keeps the shader empty, which software renderers run fastest.
out vec4 fragColor;

void main()
{
}
