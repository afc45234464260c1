package android.os;

public class StatFs {
    public StatFs(String path) { throw new RuntimeException("Stub!"); }

    @Deprecated
    public int getBlockSize() { throw new RuntimeException("Stub!"); }
    @Deprecated
    public int getBlockCount() { throw new RuntimeException("Stub!"); }
    @Deprecated
    public int getAvailableBlocks() { throw new RuntimeException("Stub!"); }
    public long getBlockSizeLong() { throw new RuntimeException("Stub!"); }
    public long getBlockCountLong() { throw new RuntimeException("Stub!"); }
    public long getAvailableBlocksLong() { throw new RuntimeException("Stub!"); }
}
