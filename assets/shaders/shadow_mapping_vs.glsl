// Depth of the shadow casters as the light sees them.

in vec3 vertexPosition_modelspace;

uniform mat4 depthMVP; // model to light clip space

void main()
{
    gl_Position = depthMVP * vec4(vertexPosition_modelspace, 1.0);
}
