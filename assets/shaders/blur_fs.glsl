// One direction of a separable Gaussian blur (sigma 1.6 texels), 7 taps. The source is
// nearest-filtered, so taps sit on texel centres rather than between them.

in vec2 texcoord;

uniform sampler2D image;
uniform vec2 step; // texture-coordinate offset between neighbouring taps

layout(location = 0) out vec4 fragColor;

const float weights[4] = float[4](0.2560, 0.2106, 0.1172, 0.0441);

void main()
{
    vec3 sum = texture(image, texcoord).rgb * weights[0];
    for (int i = 1; i < 4; ++i) {
        vec2 offset = step * float(i);
        sum += (texture(image, texcoord + offset).rgb + texture(image, texcoord - offset).rgb) * weights[i];
    }
    fragColor = vec4(sum, 1.0);
}
