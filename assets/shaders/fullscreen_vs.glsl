// The screen quad: corners -1 or 1 pass straight through as clip coordinates, with texture
// coordinates 0..1 over the whole target.

in vec2 position;

out vec2 texcoord;

void main()
{
    texcoord = position * 0.5 + 0.5;
    gl_Position = vec4(position, 0.0, 1.0);
}
