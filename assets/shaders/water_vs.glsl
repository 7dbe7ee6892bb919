// The water surface: the corners of a +-1 quad become a square at the water level, centred
// under the camera and reaching well past the far plane, so its edge is never seen.

in vec2 inPosition;

uniform vec3 CameraPosition;
uniform mat4 ViewProjectionMatrix;
uniform float WaterLevel;

out vec3 worldPosition;

const float halfSize = 250.0; // world units

void main()
{
    worldPosition = vec3(CameraPosition.xy + inPosition * halfSize, WaterLevel);
    gl_Position = ViewProjectionMatrix * vec4(worldPosition, 1.0);
}
