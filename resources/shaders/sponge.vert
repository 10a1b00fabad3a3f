#version 110
// The sponge's full-screen rectangle: the corners go through unchanged as clip
// coordinates, so the rectangle covers the viewport whatever the matrices are.
// The camera ray it also hands on is not read by the fragment program.

uniform vec4 fpar[4];  // camera vectors: eye, target, unused, unused

const vec3 WORLD_UP = vec3(0.0, 1.0, 0.0);
const float ASPECT_STRETCH = 1.333;
const float FOCAL_LENGTH = 0.75;

void main() {
    gl_Position = gl_Vertex;

    vec3 forward = normalize(fpar[1].xyz - fpar[0].xyz);
    vec3 right = normalize(cross(forward, WORLD_UP));
    vec3 up = cross(right, forward);
    vec3 ray = mat3(right, up, forward) * vec3(gl_Vertex.x * ASPECT_STRETCH, gl_Vertex.y, FOCAL_LENGTH);
    gl_TexCoord[0] = vec4(ray, 0.0);
    gl_TexCoord[1] = 0.5 + 0.5 * gl_Vertex;
}
