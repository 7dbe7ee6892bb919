// Depth only: the target has no colour buffer, and an empty shader is what software renderers
// run fastest.
void main()
{
}
