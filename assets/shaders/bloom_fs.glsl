// The scene picture with the blurred glow added on top.

in vec2 texcoord;

uniform sampler2D image; // the scene picture
uniform sampler2D bloom; // the blurred bright parts, half size

layout(location = 0) out vec4 fragColor;

const float strength = 1.2;

void main()
{
    vec3 scene = texture(image, texcoord).rgb;
    vec3 glow = texture(bloom, texcoord).rgb;
    fragColor = vec4(scene + glow * strength, 1.0);
}
