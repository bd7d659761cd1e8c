#version 120
// Third floor background: a slow crimson mist breathing through the dead
// canopy. Cheap analytic noise and one texture fetch per pixel, since it
// covers the whole screen every frame.

uniform sampler2D texture;
uniform float compteur; // seconds since the room was created

const float INV_TAU = 0.15915494;

// A sine-like wave made of parabolic arcs, of the phase given in radians: the
// same soft shape as a sine for a handful of operations.
float wave(float radians)
{
    float s = 2.0 * fract(radians * INV_TAU + 0.5) - 1.0;
    return 4.0 * s * (1.0 - abs(s));
}

// Two crossed, warped waves: smooth, slow-moving mist at a fraction of the cost
// of gradient noise, which matters for a shader that covers the screen.
float mistNoise(vec2 q)
{
    float a = wave(q.x * 2.3 + 1.7 * wave(q.y * 1.9));
    float b = wave(q.y * 3.1 - q.x * 1.3 + 1.2 * wave(q.x * 1.1));
    return 0.5 + 0.25 * (a + b);
}

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 base = texture2D(texture, uv);
    float t = compteur;

    // Mist drifts up and sideways; the low sway keeps it from looking like static.
    vec2 q = vec2(uv.x * 3.0 + 0.35 * wave(t * 0.21), uv.y * 2.0 - t * 0.05);
    float n = mistNoise(q);

    // Thicker towards the bottom of the screen, where the roots are.
    float mist = n * (0.35 + 0.45 * uv.y);
    vec3 crimson = vec3(0.55, 0.06, 0.09);
    vec3 colour = mix(base.rgb, crimson, mist * 0.45);
    // The canopy's shadow breathes with the same noise.
    colour *= 0.82 + 0.28 * n;
    gl_FragColor = vec4(colour, base.a) * gl_Color;
}
