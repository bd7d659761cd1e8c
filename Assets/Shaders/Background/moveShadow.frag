#version 120
// Second floor background tiles: soft shadows of unseen branches sliding over
// the ground. Every wave has a whole number of periods per tile, so
// neighbouring tiles join without a seam. The waves are parabolic arcs rather
// than sines: the same soft shapes for a handful of operations a pixel, which
// matters on software renderers, where these tiles fill much of the screen.

uniform sampler2D texture;
uniform float compteur; // seconds since the room was created

const float INV_TAU = 0.15915494;

// A sine-like wave of the phase given in turns: 0 at 0, 1 at 1/4, -1 at 3/4.
float wave(float turns)
{
    float s = 2.0 * fract(turns + 0.5) - 1.0;
    return 4.0 * s * (1.0 - abs(s));
}

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 base = texture2D(texture, uv);
    float t = compteur * INV_TAU;

    float a = wave(uv.x + uv.y + t * 0.35 + 1.5 * INV_TAU * wave(uv.y + t * 0.2));
    float b = wave(2.0 * uv.x - uv.y - t * 0.27);
    float shadow = smoothstep(0.1, 0.9, 0.5 + 0.35 * a + 0.25 * b);

    // Shadows lean to the floor's deep red rather than to grey.
    vec3 shade = base.rgb * vec3(0.55, 0.42, 0.45);
    gl_FragColor = vec4(mix(base.rgb, shade, shadow * 0.6), base.a) * gl_Color;
}
