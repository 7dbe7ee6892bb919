// Keeps what should glow. Drawn into a target half the picture's size, so each output texel
// averages its 2x2 block of the (nearest-filtered) picture: thin bright lines such as the beam
// then never fall between samples.

in vec2 texcoord;

uniform sampler2D image; // the scene picture

layout(location = 0) out vec4 fragColor;

// Only colours whose brightest channel passes this glow at all, with a soft knee above it. Lit
// paint stays below it on flat ground; lamps and the beam reach 1.
const float threshold = 0.85;

// What glows is coloured light: the beam, the health lights, a sunlit visor. White and near-white
// (sunlit snow, the fog) does not, or the whole landscape would haze over. The glow is
// c * excess² * smoothstep(0.2, 0.5, saturation), with excess = max(peak - threshold, 0) /
// (1 - threshold) and saturation = (peak - lowest) / peak; the constants are folded so that each
// of the four taps costs a few instructions.
vec3 glow(vec3 c)
{
    float peak = max(c.r, max(c.g, c.b));
    float excess = max(peak * (1.0 / (1.0 - threshold)) - threshold / (1.0 - threshold), 0.0);
    // smoothstep's clamped ramp: (saturation - 0.2) / 0.3 = (0.8 peak - lowest) / (0.3 peak).
    float ramp = clamp((peak * 0.8 - min(c.r, min(c.g, c.b))) / max(peak * 0.3, 1e-4), 0.0, 1.0);
    return c * (excess * excess * (ramp * ramp * (3.0 - 2.0 * ramp)));
}

void main()
{
    vec2 half_texel = 0.5 / vec2(textureSize(image, 0));
    vec3 sum = glow(texture(image, texcoord + vec2(-half_texel.x, -half_texel.y)).rgb)
             + glow(texture(image, texcoord + vec2( half_texel.x, -half_texel.y)).rgb)
             + glow(texture(image, texcoord + vec2(-half_texel.x,  half_texel.y)).rgb)
             + glow(texture(image, texcoord + vec2( half_texel.x,  half_texel.y)).rgb);
    fragColor = vec4(sum * 0.25, 1.0);
}
