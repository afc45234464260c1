package android.hardware;

public final class Sensor {
    @Deprecated
    public static final int TYPE_ORIENTATION = 3;

    Sensor() {}
}
