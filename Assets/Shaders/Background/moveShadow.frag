#version 120
// Second floor background tiles: soft shadows of unseen branches sliding over
// the ground. Every wave has a whole number of periods per tile, so
// neighbouring tiles join without a seam.

uniform sampler2D texture;
uniform float compteur; // seconds since the room was created

const float TAU = 6.2831853;

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 base = texture2D(texture, uv);
    float t = compteur;

    float a = sin(TAU * (uv.x + uv.y) + t * 0.35 + 1.5 * sin(TAU * uv.y + t * 0.2));
    float b = sin(TAU * (2.0 * uv.x - uv.y) - t * 0.27);
    float shadow = smoothstep(0.1, 0.9, 0.5 + 0.35 * a + 0.25 * b);

    // Shadows lean to the floor's deep red rather than to grey.
    vec3 shade = base.rgb * vec3(0.55, 0.42, 0.45);
    gl_FragColor = vec4(mix(base.rgb, shade, shadow * 0.6), base.a) * gl_Color;
}
